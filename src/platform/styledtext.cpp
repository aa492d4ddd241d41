#include "platform/styledtext.h"
