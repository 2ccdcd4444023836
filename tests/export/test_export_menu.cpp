// File > Export... in the main window: where it sits, when it is usable, and
// that it writes the format the chosen name asks for.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <fstream>
#include <memory>
#include <sstream>

#include "dictionary.h"
#include "export.h"
#include "mainform.h"
#include "random.h"

using namespace qbrx;

namespace {

class SaveDialogPrompter final : public Prompter {
public:
    std::deque<std::string> names;
    std::vector<FileRequest> requests;
    std::vector<std::string> messages;
    Reply message(const MessageRequest& m) override {
        messages.push_back(m.text);
        return Reply::Ok;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override { return {}; }
    void beep() override {}
    std::optional<std::string> openFile(const FileRequest&) override { return {}; }
    std::optional<std::string> saveFile(const FileRequest& r) override {
        requests.push_back(r);
        if (names.empty()) return std::nullopt;
        std::string n = names.front();
        names.pop_front();
        return n;
    }
    bool printDialog() override { return false; }
    void printSetupDialog() override {}
};

std::string head(const QString& path, std::size_t n) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::string s(n, '\0');
    in.read(s.data(), static_cast<std::streamsize>(n));
    return s.substr(0, static_cast<std::size_t>(in.gcount()));
}

}  // namespace

class TestExportMenu : public QObject {
    Q_OBJECT

private slots:
    void exportFromTheFileMenu() {
        SaveDialogPrompter prompter;
        ScriptedRandom random({0.0});
        Dictionary dictionary;
        Mainform form(prompter, random, dictionary);
        form.startUp();

        const QList<QAction*> file = form.mnuFile->actions();
        const qsizetype at = file.indexOf(form.mnuExport);
        QCOMPARE(at, file.indexOf(form.mnuPrintkey) + 1);
        QVERIFY(at < file.indexOf(form.mnuQuit));
        QCOMPARE(form.mnuExport->objectName(), QStringLiteral("mnuExport"));
        QCOMPARE(form.mnuExport->text(), QStringLiteral("Export..."));
        QVERIFY(form.mnuExport->shortcut().isEmpty());
        QVERIFY(!form.mnuExport->isEnabled());  // nothing registered yet

        form.txtQuote->setPlainText(QStringLiteral("Less is more."));
        QTest::mouseClick(form.cmdRegister, Qt::LeftButton);
        QVERIFY(form.mnuExport->isEnabled());

        QTemporaryDir dir;
        prompter.names = {dir.filePath("week.ipuz").toStdString(), dir.filePath("week").toStdString()};
        form.mnuExport->trigger();
        form.mnuExport->trigger();
        form.mnuExport->trigger();  // cancelled: nothing more
        QCOMPARE(prompter.requests.size(), std::size_t{3});
        QCOMPARE(prompter.requests[0].filter, std::string(kExportFilter));
        QCOMPARE(prompter.requests[2].initialName, dir.filePath("week.pdf").toStdString());
        QVERIFY(head(dir.filePath("week.ipuz"), 200).find("http://ipuz.org/acrostic#1") != std::string::npos);
        QCOMPARE(head(dir.filePath("week.pdf"), 5), std::string("%PDF-"));
        QVERIFY(prompter.messages.empty());
    }
};

QTEST_MAIN(TestExportMenu)
#include "test_export_menu.moc"
