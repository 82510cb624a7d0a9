#pragma once

#include <QLoggingCategory>

// Why the panel opened or hid, and what the window system did for it: off unless asked for,
// with QT_LOGGING_RULES="glowdeck.panel.debug=true".
Q_DECLARE_LOGGING_CATEGORY(panelLog)
