#include "nameregistry.h"

namespace {
QString folded(const QString& name)
{
    return name.toLower();
}
} // namespace

bool NameRegistry::split(const QString& folded, QString* word, int* number)
{
    qsizetype digits = folded.size();
    while (digits > 0 && folded[digits - 1].isDigit() && folded[digits - 1].unicode() < 128)
        --digits;
    // "Image01" is not "Image" followed by 1, and a number needs a digit.
    if (digits == folded.size() || folded[digits] == QLatin1Char('0'))
        return false;
    bool ok = false;
    const int value = QStringView(folded).mid(digits).toInt(&ok);
    if (!ok)
        return false;
    *word = folded.left(digits);
    *number = value;
    return true;
}

bool NameRegistry::contains(const QString& name) const
{
    return m_names.contains(folded(name));
}

void NameRegistry::add(const QString& name)
{
    const QString key = folded(name);
    if (m_names.contains(key))
        return;
    m_names.insert(key);
    QString word;
    int number = 0;
    if (split(key, &word, &number))
        m_numbers[word].taken.insert(number);
}

void NameRegistry::remove(const QString& name)
{
    const QString key = folded(name);
    if (!m_names.remove(key))
        return;
    QString word;
    int number = 0;
    if (!split(key, &word, &number))
        return;
    auto found = m_numbers.find(word);
    if (found == m_numbers.end())
        return;
    found->taken.remove(number);
    found->firstFree = std::min(found->firstFree, number);
}

QString NameRegistry::firstFreeName(const QString& word) const
{
    Numbers& numbers = m_numbers[folded(word)];
    while (numbers.taken.contains(numbers.firstFree))
        ++numbers.firstFree;
    return word + QString::number(numbers.firstFree);
}
