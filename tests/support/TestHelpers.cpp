#include "support/TestHelpers.h"
