// Compiled by the test build.qt_free_physics with the settings of the Qt-free
// libraries: their headers compile, and the Qt include must not.
#include "chart_reading.h"
#include "input_limits.h"
#include "moist_air.h"
#include "r12.h"
#include "room_model.h"
#include "unit_geometry.h"
#include "unit_model.h"

#include <QString>
