// Registration of the compiled-in pictures.
#include "QuorvalResources.h"

#include <QtCore/qresource.h>

void initQuorvalResources()
{
    // The name is the qrc file's base name; the macro has to stand outside
    // any namespace.
    Q_INIT_RESOURCE(resources);
}
