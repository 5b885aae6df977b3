// Must not compile: the core reaches no widget header.
#include <QWidget>
