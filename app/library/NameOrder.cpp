#include "app/library/NameOrder.h"

namespace {

// The run of digits or of other characters that starts at from.
QStringView runAt(const QString& text, qsizetype from)
{
    const bool digits = text[from].isDigit();
    qsizetype end = from;
    while (end < text.size() && text[end].isDigit() == digits)
        ++end;
    return QStringView(text).mid(from, end - from);
}

} // namespace

NameOrder::NameOrder()
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

bool NameOrder::operator()(const QString& a, const QString& b) const
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        QStringView left = runAt(a, i);
        QStringView right = runAt(b, j);
        i += left.size();
        j += right.size();
        int order = 0;
        if (left.front().isDigit() && right.front().isDigit()) {
            while (left.size() > 1 && left.front() == u'0')
                left = left.mid(1);
            while (right.size() > 1 && right.front() == u'0')
                right = right.mid(1);
            order = left.size() != right.size() ? (left.size() < right.size() ? -1 : 1) : left.compare(right);
        } else {
            order = m_collator.compare(left, right);
        }
        if (order != 0)
            return order < 0;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size();
    return a < b;
}
