#pragma once

// Resource ids, shared by the resource script and the code.
#define QUILLON_ICON 1
#define QUILLON_FIRST_PAGE 101         // the seven page pictures follow in page order
#define QUILLON_FIRST_DOUBLE_PAGE 201  // the same, drawn at twice the size
