#include "core/Logging.h"

Q_LOGGING_CATEGORY(lcGuard, "tintra.guard", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPicking, "tintra.picking", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "tintra.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLoader, "tintra.loader", QtWarningMsg)
Q_LOGGING_CATEGORY(lcX11, "tintra.x11", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWlroots, "tintra.wlroots", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWayland, "tintra.wayland", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPortal, "tintra.portal", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPageFetch, "tintra.fetch", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMemory, "tintra.memory", QtWarningMsg)
