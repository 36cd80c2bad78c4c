#include "platform/ResourceLog.h"

Q_LOGGING_CATEGORY(lcResources, "orvane.resources")
