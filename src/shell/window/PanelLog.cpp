#include "PanelLog.h"

Q_LOGGING_CATEGORY(panelLog, "glowdeck.panel", QtInfoMsg)
