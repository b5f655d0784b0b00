#pragma once

// Resource ids, shared by the resource script and the code.
#define QUILLON_ICON 1
#define QUILLON_FIRST_PAGE 101  // the page pictures follow in order
