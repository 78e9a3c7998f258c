#pragma once

#include "platform/ui/Object.h"

// Whether cells grow with the text typed into them; filled in with the cell editors.
class TSizeWhileTyping : public TObject {};
