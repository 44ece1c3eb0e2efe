// Built with exactly the include path and libraries of the rules. It must not compile:
// the rules library neither links Qt nor sees its headers.
#include <QString>

int ProbeQtInCore() {
    return QString().size();
}
