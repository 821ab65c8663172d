#pragma once

#include <QCollator>
#include <QString>

// Names as people sort them: numbers by their value ("kick 2" before "kick 10"), letters by the
// collator, whatever the case. Names that differ only in leading zeros or case keep a fixed order,
// so that two listings of the same names give the same order.
class NameOrder {
public:
    NameOrder();

    bool operator()(const QString& a, const QString& b) const;

private:
    QCollator m_collator;
};
