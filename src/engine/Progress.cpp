#include "engine/Progress.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace tarnwick {

namespace {

const QString kDurationKey = QStringLiteral("Duration: ");
const QString kTimeKey = QStringLiteral("time=");

// Digits with an optional "." and fraction.
std::optional<double> readDecimal(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    bool dot = false;
    bool digit = false;
    for (QChar c : text) {
        if (c == u'.' && !dot)
            dot = true;
        else if (c >= u'0' && c <= u'9')
            digit = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Every match appends what follows it, up to the next blank or the end of
// the piece, to one token. Start positions run to n - keyLength, exclusive,
// so a key that ends the piece is not seen.
bool collect(const QString& piece, const QString& key, QString& token)
{
    bool matched = false;
    const qsizetype n = piece.size();
    for (qsizetype i = 0; i < n - key.size(); ++i) {
        if (QStringView(piece).mid(i, key.size()) != key)
            continue;
        matched = true;
        qsizetype j = i + key.size();
        while (j < n && piece.at(j) != u' ')
            token.append(piece.at(j++));
    }
    return matched;
}

} // namespace

std::optional<qint32> readTimeToken(const QString& token)
{
    const QStringList pieces = token.split(u':');
    if (pieces.size() < 3)
        return std::nullopt;
    QStringView last = pieces.at(2);
    if (last.endsWith(u','))
        last.chop(1);
    const auto hours = readDecimal(pieces.at(0));
    const auto minutes = readDecimal(pieces.at(1));
    const auto seconds = readDecimal(last);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    // rint rounds to nearest with ties to even in the default rounding mode.
    const double value = std::rint(*hours * 3600 + *minutes * 60 + *seconds);
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

QString ProgressParser::percentText(double percent)
{
    QString text = QString::number(percent, 'g', 15);
    // A tiny share is written with an exponent ("4.6e-05"), whose first four
    // characters read as a much larger number; its decimal form starts "0.00".
    if (text.contains(u'e'))
        text = QString::number(percent, 'f', 15);
    return text.left(4);
}

int ProgressParser::wholePercent(double percent)
{
    if (!(percent > 0))
        return 0;
    // 28.999999999999996 (29 s of 100) is written "29": a share that close
    // below a whole number reaches it at the fifteenth digit.
    const double whole = std::floor(percent);
    const double lastDigit = std::pow(10.0, std::floor(std::log10(percent)) - 14);
    return int(whole + 1 - percent < lastDigit / 2 ? whole + 1 : whole);
}

void ProgressParser::findTotal(const QString& piece)
{
    if (m_countedLength) {
        m_totalSeconds = *m_countedLength;
        return;
    }
    QString token;
    collect(piece, kDurationKey, token);
    if (token.isEmpty())
        return;
    if (const auto total = readTimeToken(token))
        m_totalSeconds = *total;
}

std::optional<double> ProgressParser::receiveOutputs(const QString& CommandOutputs)
{
    if (m_runLength)
        m_totalSeconds = qint32(std::lround(*m_runLength));
    else if (m_totalSeconds == 0)
        findTotal(CommandOutputs);

    QString token;
    if (!collect(CommandOutputs, kTimeKey, token))
        return std::nullopt;
    // Without a length there is nothing to measure against: claiming 100%
    // would tell the user the file is done while it is still converting.
    const double total = m_runLength ? *m_runLength : double(m_totalSeconds);
    if (total <= 0)
        return std::nullopt;

    const double position = readTimeToken(token).value_or(0);
    return qMin(100.0, position / total * 100);
}

} // namespace tarnwick
