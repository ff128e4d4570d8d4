// Compiled by a test, not linked: release() hands a handle over, and a caller
// that drops the result leaks it, so dropping it must not compile.
#include "platform/handles_win.h"

void HandOver(Gdi<HPEN>& pen) {
#ifdef DROP_RESULT
    pen.release();
#else
    DeleteObject(pen.release());
#endif
}
