// SPDX-License-Identifier: MIT
// Writes the test language "xa" from a translation file: every source text accented,
// each line 40 % longer, its markers counted, and the whole marked at both ends
// ("⟦Ŝṕíñẋ⟧", "⟦Ĝóóđẋ Ĺúçķẋẋ⟧"), so that a
// text that never went through translation, or that overflows its room once a
// language runs longer than English, shows at a glance and to a test.
//
//   tonvale_pseudo IN.ts OUT.ts
//
// Placeholders (%1, %n) and markup between < and > stay as they are.
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cstdio>

namespace {

QString accented(QChar c) {
    static const QHash<QChar, QChar> map = [] {
        const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        const QString marked = QStringLiteral("áƀçđéƒĝĥíĵķĺḿñóṕʠŕšţúṽŵẋýžÁƁÇĐÉƑĜĤÍĴĶĹḾÑÓṔǪŔŠŢÚṼŴẊÝŽ");
        QHash<QChar, QChar> m;
        for (qsizetype i = 0; i < plain.size(); ++i) m.insert(plain[i], marked[i]);
        return m;
    }();
    return map.value(c, c);
}

// Every word of a line accented and longer: the line grows by 40 % (rounded up),
// its two markers counted, spread over its words in proportion to their letters,
// as a longer language spreads over them.
QString line(const QString& s, int markers) {
    int letters = 0;
    for (const QChar c : s) letters += c.isLetter() ? 1 : 0;
    const int extra = std::max(0, (static_cast<int>(s.size()) * 4 + 9) / 10 - markers);
    QString out;
    int run = 0, seen = 0, given = 0;
    const auto endWord = [&] {
        if (run == 0 || letters == 0) return;
        seen += run;
        const int due = extra * seen / letters;  // the share of the words so far
        out += QString(due - given, QChar(0x1E8B));
        given = due;
        run = 0;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('%') && i + 1 < s.size() &&
            (s[i + 1].isDigit() || s[i + 1] == QLatin1Char('n'))) {
            endWord();
            out += c;
            out += s[++i];
            continue;
        }
        if (c == QLatin1Char('<') && i + 1 < s.size() &&
            (s[i + 1].isLetter() || s[i + 1] == QLatin1Char('/'))) {
            // Markup passes whole.
            const qsizetype close = s.indexOf(QLatin1Char('>'), i);
            if (close > i) {
                endWord();
                out += s.mid(i, close - i + 1);
                i = close;
                continue;
            }
        }
        if (c.isLetter()) {
            ++run;
        } else {
            endWord();
        }
        out += accented(c);
    }
    endWord();
    return out;
}

QString pseudo(const QString& source) {
    QStringList lines = source.split(QLatin1Char('\n'));
    // A text of one line counts its markers in its 40 %; each line of a longer one
    // grows by its own 40 %.
    for (QString& l : lines) l = line(l, lines.size() == 1 ? 2 : 0);
    return QChar(0x27E6) + lines.join(QLatin1Char('\n')) + QChar(0x27E7);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.ts OUT.ts\n", argv[0]);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot open the files\n", argv[0]);
        return 1;
    }
    QXmlStreamReader r(&in);
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    w.writeStartElement(QStringLiteral("TS"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    // English plural rules: a singular and a plural form.
    w.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    w.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    QString source, comment;
    bool numerus = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const auto name = r.name();
            if (name == QLatin1String("context")) {
                w.writeStartElement(QStringLiteral("context"));
            } else if (name == QLatin1String("name")) {
                w.writeTextElement(QStringLiteral("name"), r.readElementText());
            } else if (name == QLatin1String("message")) {
                numerus = r.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                source.clear();
                comment.clear();
            } else if (name == QLatin1String("source")) {
                source = r.readElementText();
            } else if (name == QLatin1String("comment")) {
                comment = r.readElementText();
            }
        } else if (r.isEndElement()) {
            const auto name = r.name();
            if (name == QLatin1String("context")) {
                w.writeEndElement();
            } else if (name == QLatin1String("message")) {
                w.writeStartElement(QStringLiteral("message"));
                if (numerus) w.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
                w.writeTextElement(QStringLiteral("source"), source);
                if (!comment.isEmpty()) w.writeTextElement(QStringLiteral("comment"), comment);
                w.writeStartElement(QStringLiteral("translation"));
                if (numerus) {
                    w.writeTextElement(QStringLiteral("numerusform"), pseudo(source));
                    w.writeTextElement(QStringLiteral("numerusform"), pseudo(source));
                } else {
                    w.writeCharacters(pseudo(source));
                }
                w.writeEndElement();
                w.writeEndElement();
            }
        }
    }
    w.writeEndElement();
    w.writeEndDocument();
    if (r.hasError()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(r.errorString()));
        return 1;
    }
    return 0;
}
