#include "app/document/SourcesLetGo.h"

QString SourcesLetGo::sentence(std::size_t count, qulonglong budgetMegabytes)
{
    return tr("To stay within %1 MB of kept sources, the %n oldest were let go: their slots are plain bytes now, and "
              "shaping them again starts from those.",
              nullptr, static_cast<int>(count))
        .arg(budgetMegabytes);
}
