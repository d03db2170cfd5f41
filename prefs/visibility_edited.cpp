#include "visibility_edited.h"

bool VisibilityEdited = false;
