// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the program makes it: started up, then shown, with a
// scripted prompter and every search starting at position 1. A Qt Test
// class derives from QObject and this, calls start() in init() and
// form.reset() in cleanup().
#pragma once

#include <QtTest>
#include <QtWidgets>
#include <fstream>
#include <iterator>
#include <string>

#include "dictionary.h"
#include "dictionarywindow.h"
#include "mainwindow.h"
#include "random.h"
#include "scriptedprompter.h"

namespace qbrx::test {

// The texts of a list's items, top to bottom.
inline QStringList rows(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// The bytes of a file.
inline std::string fileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MainWindowFixture {
protected:
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<ScriptedRandom> random;
    std::unique_ptr<Dictionary> dictionary;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<QTemporaryDir> folder;  // empty at each start()

    // False when the window never became active. `words` is a word list
    // in the program's file format, or none.
    bool start(const std::string& words = {}) {
        folder = std::make_unique<QTemporaryDir>();
        prompter = std::make_unique<ScriptedPrompter>();
        random = std::make_unique<ScriptedRandom>(std::vector<double>{0.0});
        dictionary = std::make_unique<Dictionary>();
        if (!words.empty()) dictionary->readWordList(words);
        form = std::make_unique<MainWindow>(*prompter, *random, *dictionary);
        form->startUp();
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
    // A path for a file `name` in a folder of the test's own.
    std::string pathFor(const QString& name) const { return folder->filePath(name).toStdString(); }
    void registerQuote(const QString& quote) {
        form->txtQuote->setPlainText(quote);
        QTest::mouseClick(form->cmdRegister, Qt::LeftButton);
    }
    void accept(const QString& question, const QString& answer) {
        form->txtQuestion->setText(question);
        form->txtAnswer->setText(answer);
        QTest::mouseClick(form->cmdAccept, Qt::LeftButton);
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = form->lstQuestion->visualItemRect(form->lstQuestion->item(row));
        QTest::mouseClick(form->lstQuestion->viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    // The dictionary window in All Words mode, listing from `from` on.
    DictionaryWindow* listWords(const QString& from,
                                QPushButton* DictionaryWindow::*command = &DictionaryWindow::cmdCheck) {
        form->openDictionary();
        DictionaryWindow* window = form->findChild<DictionaryWindow*>();
        window->optAllWords->click();
        window->txtDict->setText(from);
        (window->*command)->click();
        return window;
    }
};

}  // namespace qbrx::test
