#include "windows/TFrmVersion.h"

TFrmVersion::TFrmVersion(QWidget* parent) : QWidget(parent, Qt::Window) {}
