#include "natural_order.h"

#include <QString>

namespace {

// The length of the run of digits (or of non-digits) that starts at `from`.
int runLength(const QString& text, int from)
{
    const bool digits = text.at(from).isDigit();
    int end = from;
    while (end < text.size() && text.at(end).isDigit() == digits)
        ++end;
    return end - from;
}

int compareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == QLatin1Char('0'))
        a = a.mid(1);
    while (b.size() > 1 && b.front() == QLatin1Char('0'))
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

}  // namespace

bool naturallyBefore(const QString& a, const QString& b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        const int lengthA = runLength(a, i);
        const int lengthB = runLength(b, j);
        const QStringView runA = QStringView(a).mid(i, lengthA);
        const QStringView runB = QStringView(b).mid(j, lengthB);
        const bool numbers = runA.front().isDigit() && runB.front().isDigit();
        const int order = numbers ? compareNumbers(runA, runB) : runA.compare(runB, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0;
        i += lengthA;
        j += lengthB;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size();
    return a < b;
}
