// The layers as the includes show them: the core uses no Qt module beyond
// Core and SerialPort and no window code, its folders include only the ones
// before them, the sheets use neither widgets nor windows, the windows never
// include a program, and no files include each other in a circle.

#include "support/rows.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const QStringList kCoreOrder = {"text", "base", "model", "codec", "editing", "link", "session"};
const QStringList kCoreQtModules = {"QtCore", "QtSerialPort"};
const QStringList kWindowModules = {"QtWidgets", "QtPrintSupport"};

struct Include {
    int line;
    QString name;
    bool angle;
};

QList<Include> IncludesOf(const QString& path) {
    static const QRegularExpression directive(
        QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
    QFile file(path);
    QList<Include> includes;
    if (!file.open(QIODevice::ReadOnly))
        return includes;
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const auto match = directive.match(QString::fromUtf8(file.readLine()));
        if (match.hasMatch())
            includes.append({number, match.captured(2), match.captured(1) == QLatin1String("<")});
    }
    return includes;
}

// The Qt module a header belongs to ("QtWidgets" for <QWidget> and for
// <QtWidgets/QWidget>), "" when the name is no Qt header.
QString QtModuleOf(const QString& header, const QString& qtHeaders) {
    static const QRegularExpression qtName(QStringLiteral("^Q[A-Za-z]"));
    if (!qtName.match(header).hasMatch())
        return {};
    if (header.startsWith(QLatin1String("Qt")) && header.contains(QLatin1Char('/')))
        return header.section(QLatin1Char('/'), 0, 0);
    const QStringList modules =
        QDir(qtHeaders).entryList({QStringLiteral("Qt*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& module : kCoreQtModules + modules)
        if (QFileInfo::exists(qtHeaders + QLatin1Char('/') + module + QLatin1Char('/') + header))
            return module;
    return QStringLiteral("unknown module");
}

// "core/model/radio_model.cpp" -> "core/model/radio_model": a header and its
// source are one unit of the include graph.
QString UnitOf(const QString& file) {
    return file.left(file.lastIndexOf(QLatin1Char('.')));
}

class LayeringCheck {
public:
    LayeringCheck(QString root, QString qtHeaders)
        : root_(std::move(root)), qtHeaders_(std::move(qtHeaders)) {}

    QStringList Faults() {
        QDirIterator it(root_, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = QDir(root_).relativeFilePath(it.next());
            for (const Include& include : IncludesOf(root_ + QLatin1Char('/') + file))
                Check(file, include);
        }
        FindCycles();
        faults_.sort();
        return faults_;
    }

private:
    void Fault(const QString& file, const Include& include, const QString& why) {
        faults_
            << QStringLiteral("%1:%2: %3 %4").arg(file).arg(include.line).arg(include.name, why);
    }

    void Check(const QString& file, const Include& include) {
        const QString layer = file.section(QLatin1Char('/'), 0, 0);
        if (include.angle) {
            const QString module = QtModuleOf(include.name, qtHeaders_);
            if (layer == QLatin1String("core") && !module.isEmpty() &&
                !kCoreQtModules.contains(module))
                Fault(file, include, QStringLiteral("is a %1 header in the core").arg(module));
            if (layer == QLatin1String("report") && kWindowModules.contains(module))
                Fault(file, include, QStringLiteral("is a %1 header in the sheets").arg(module));
            return;
        }
        if (QFileInfo::exists(root_ + QLatin1Char('/') + include.name) &&
            UnitOf(include.name) != UnitOf(file))
            graph_[UnitOf(file)].insert(UnitOf(include.name));
        const QString target = include.name.section(QLatin1Char('/'), 0, 0);
        if (layer == QLatin1String("core")) {
            if (target != QLatin1String("core")) {
                Fault(file, include, QStringLiteral("is outside the core"));
                return;
            }
            const qsizetype own = kCoreOrder.indexOf(file.section(QLatin1Char('/'), 1, 1));
            const qsizetype other =
                kCoreOrder.indexOf(include.name.section(QLatin1Char('/'), 1, 1));
            if (own < 0 || other < 0 || other > own)
                Fault(file, include, QStringLiteral("comes after its includer in the core"));
        } else if (layer == QLatin1String("report") && target != QLatin1String("core") &&
                   target != QLatin1String("report")) {
            Fault(file, include, QStringLiteral("is neither core nor sheets"));
        } else if (layer == QLatin1String("gui") && target != QLatin1String("core") &&
                   target != QLatin1String("report") && target != QLatin1String("gui")) {
            Fault(file, include, QStringLiteral("is neither core, sheets nor windows"));
        }
    }

    void FindCycles() {
        QMap<QString, int> state; // 1 on the current path, 2 done
        QStringList path;
        std::function<void(const QString&)> visit = [&](const QString& unit) {
            state[unit] = 1;
            path << unit;
            for (const QString& next : graph_.value(unit)) {
                if (state.value(next) == 1)
                    faults_ << QStringLiteral("include cycle: %1 -> %2")
                                   .arg(path.mid(path.indexOf(next)).join(QStringLiteral(" -> ")),
                                        next);
                else if (state.value(next) == 0)
                    visit(next);
            }
            path.removeLast();
            state[unit] = 2;
        };
        for (const QString& unit : graph_.keys())
            if (state.value(unit) == 0)
                visit(unit);
    }

    QString root_;
    QString qtHeaders_;
    QMap<QString, QSet<QString>> graph_;
    QStringList faults_;
};

QString QtHeaders() {
    return QLibraryInfo::path(QLibraryInfo::HeadersPath);
}

void WriteTree(const QString& root, const QMap<QString, QString>& files) {
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = root + QLatin1Char('/') + it.key();
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(it.value().toUtf8());
    }
}

} // namespace

class TestLayering : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Without the Qt headers every module lookup would come out empty.
        QVERIFY2(QFileInfo::exists(QtHeaders() + QStringLiteral("/QtWidgets/QWidget")),
                 qPrintable(QtHeaders()));
    }

    void theSourceTreeKeepsItsLayers() {
        const QStringList faults =
            LayeringCheck(QStringLiteral(ZR_SOURCE_DIR), QtHeaders()).Faults();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A small tree that breaks each rule once, beside includes that are allowed.
    void eachBrokenRuleIsReported() {
        QTemporaryDir dir;
        WriteTree(
            dir.path(),
            {{"core/text/t.h", "#include <QString>\n"},
             {"core/model/m.h", "#include \"core/text/t.h\"\n#include <QWidget>\n"},
             {"core/codec/c.cpp", "#include \"core/model/m.h\"\n#include "
                                  "<QtSerialPort/QSerialPort>\n#  include <QtGui/QColor>\n"},
             {"core/model/n.cpp", "#include \"core/codec/c.h\"\n#include \"core/misc/x.h\"\n"},
             {"core/session/s.cpp", "#include <vector>\n#include \"gui/shell/w.h\"\n"},
             {"gui/shell/w.h", "#include \"gui/link/l.h\"\n#include \"programs/cli/c.h\"\n"},
             {"gui/link/l.h", "#include \"core/codec/c.h\"\n#include \"gui/shell/w.h\"\n"},
             {"report/r.cpp", "#include \"gui/link/l.h\"\n#include <QPrinter>\n"}});
        QCOMPARE(
            LayeringCheck(dir.path(), QtHeaders()).Faults(),
            (QStringList{"core/codec/c.cpp:3: QtGui/QColor is a QtGui header in the core",
                         "core/model/m.h:2: QWidget is a QtWidgets header in the core",
                         "core/model/n.cpp:1: core/codec/c.h comes after its includer in the core",
                         "core/model/n.cpp:2: core/misc/x.h comes after its includer in the core",
                         "core/session/s.cpp:2: gui/shell/w.h is outside the core",
                         "gui/shell/w.h:2: programs/cli/c.h is neither core, sheets nor windows",
                         "include cycle: gui/shell/w -> gui/link/l -> gui/shell/w",
                         "report/r.cpp:1: gui/link/l.h is neither core nor sheets",
                         "report/r.cpp:2: QPrinter is a QtPrintSupport header in the sheets"}));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "test_layering.moc"
