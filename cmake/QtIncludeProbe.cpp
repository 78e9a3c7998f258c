// Compiled only by the test that proves Qt stays inside platform/: with the flags of a library
// outside it, this include must not be found.
#include <QWidget>
