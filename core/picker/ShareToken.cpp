#include "core/picker/ShareToken.h"

void ShareToken::Set(const QString& value) {
    if (value == value_)
        return;
    value_ = value;
    emit Changed(value_);
}
