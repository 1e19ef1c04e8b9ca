#pragma once

#include "platform/Picture.h"

// The program's pictures, each loaded from the Resources folder on first use
// and kept for the rest of the run.
Picture groupclipartusergroup43();  // the logo
Picture groupclipartusergroup42();  // the logo of the new-version notice
Picture tally();
Picture print_icon();
Picture AddIcon();
Picture deleteIcon();
Picture findIcon();
