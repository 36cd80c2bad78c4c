#include "view/ViewLog.h"

Q_LOGGING_CATEGORY(lcView, "orvane.view")
