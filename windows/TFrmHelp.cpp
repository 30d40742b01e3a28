#include "windows/TFrmHelp.h"

TFrmHelp::TFrmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {}
