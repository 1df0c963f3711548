// The screenless whole-program session, built into this test program as well:
// the Windows runs are compared with what it writes.
#include "e2e/Session.cpp"
