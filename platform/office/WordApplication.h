#pragma once

#include "platform/office/OfficeApplication.h"
#include "platform/office/WordDocument.h"

using TWordApplication = TOfficeApplication<TWordDocument>;
