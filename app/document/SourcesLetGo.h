#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>

// The one sentence that tells the user how many kept sources were let go to stay within the
// budget, wherever a step let them go (an import, a shaping, an open).
class SourcesLetGo {
    Q_DECLARE_TR_FUNCTIONS(SourcesLetGo)

public:
    static QString sentence(std::size_t count, qulonglong budgetMegabytes);
};
