// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt prompter: filter lists, and message and input boxes as the user
// sees them (title, icon, buttons, default button, answer).
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "qtprompter.h"

using namespace qbrx;

namespace {

// Runs `answer` on the modal dialog as soon as it is shown.
void whenShown(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        answer(dialog);
    });
}

}  // namespace

class TestQtPrompter : public QObject {
    Q_OBJECT

private slots:
    void filtersAndLineBreaksBecomeQtForms() {
        QCOMPARE(qtFileFilter("Data Files (*.dat)|*.dat|All Files (*.*)|*.*"),
                 QStringLiteral("Data Files (*.dat);;All Files (*.*)"));
        QCOMPARE(
            qtFileFilters("All Files (*.*)|*.*|Preference Files (*.dic)|*.dic"),
            (QStringList{QStringLiteral("All Files (*.*)"), QStringLiteral("Preference Files (*.dic)")}));
        QCOMPARE(messageText("Are you sure you want to delete \r\"Caf\xE9\""),
                 QStringLiteral("Are you sure you want to delete \n\"Caf\u00E9\""));
        QCOMPARE(messageText("one\r\ntwo\nthree"), QStringLiteral("one\ntwo\nthree"));
    }

    // The save dialog bears the title it is asked for; its chosen filter
    // gives a name typed without an extension its extension; a name with one
    // keeps it.
    void saveDialogHasItsTitleAndFilterAddsItsExtension() {
        QtPrompter prompter;
        QTemporaryDir dir;
        const FileRequest request{"Data Files (*.dat)|*.dat|ipuz Files (*.ipuz)|*.ipuz|All Files (*.*)|*.*",
                                  1, "", "Export"};
        auto saveAs = [&](const QString& filter, const QString& name) {
            whenShown([&](QWidget* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(files);
                files->selectNameFilter(filter);
                files->selectFile(dir.filePath(name));
                static_cast<QDialog*>(files)->accept();
                QCOMPARE(files->windowTitle(), QStringLiteral("Export"));
            });
            return QString::fromStdString(prompter.saveFile(request).value_or(""));
        };
        QCOMPARE(saveAs(QStringLiteral("ipuz Files (*.ipuz)"), QStringLiteral("week")),
                 dir.filePath("week.ipuz"));
        QCOMPARE(saveAs(QStringLiteral("ipuz Files (*.ipuz)"), QStringLiteral("week.dat")),
                 dir.filePath("week.dat"));
        QCOMPARE(saveAs(QStringLiteral("All Files (*.*)"), QStringLiteral("week")), dir.filePath("week"));
    }

    // Each box is answered first and looked at while it still exists.
    void messageAndInputBoxes() {
        QtPrompter prompter;
        whenShown([](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            box->button(QMessageBox::Cancel)->click();
            QCOMPARE(box->windowTitle(), QString());
            QCOMPARE(box->icon(), QMessageBox::Information);
            QCOMPARE(box->buttons().size(), 3);
            QCOMPARE(box->defaultButton()->text(), QStringLiteral("&No"));
        });
        const Reply reply =
            prompter.message({"Save changes?", "", Buttons::YesNoCancel, Icon::Information, 1});
        QCOMPARE(reply, Reply::Cancel);

        // No title given: the program's name.
        whenShown([](QWidget* dialog) {
            qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Quotabrix"));
        });
        QCOMPARE(
            prompter.message({"Answer is limited", std::nullopt, Buttons::OkCancel, Icon::Exclamation, 0}),
            Reply::Ok);

        // The input box offers the default and can be cancelled.
        QString offered;
        whenShown([&](QWidget* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            QVERIFY(input);
            offered = input->textValue();
            input->setTextValue(QStringLiteral("AB~C\u00E9"));
            input->accept();
        });
        QCOMPARE(prompter.input("Type in the Crostic.", "Enter a Crostic", "HD"),
                 std::optional<std::string>("AB~C\xE9"));
        QCOMPARE(offered, QStringLiteral("HD"));

        whenShown([](QWidget* dialog) { qobject_cast<QInputDialog*>(dialog)->reject(); });
        QCOMPARE(prompter.input("Type in the Crostic.", "Enter a Crostic", "HD"), std::nullopt);
    }
};

QTEST_MAIN(TestQtPrompter)
#include "test_qtprompter.moc"
