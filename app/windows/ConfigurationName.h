#pragma once

// The windows check typed and stored configuration names with the core's one rule.
#include "app/core/ConfigurationName.h"
