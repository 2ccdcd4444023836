// Qbrx > Suggest Answers...: sets of answers for the empty slots that use up
// exactly the letters left, listed as the search finds them. The search runs
// a slice at a time from a zero-interval timer, so the window stays
// responsive; Stop ends it. Use Answers writes the chosen set (or the slots
// ticked in it) into the puzzle through Accept.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <memory>

#include "answerfill.h"
#include "puzzlefill.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace qbrx {

class Dictionary;
class Mainform;

class frmSuggest : public QDialog {
    Q_OBJECT
public:
    frmSuggest(Mainform& form, const Dictionary& dictionary, QWidget* parent = nullptr);
    ~frmSuggest() override;

    // Plans the fill from the puzzle as it is now and starts the search.
    void startSearch();
    // Runs the search for about `steps` nodes and lists what it found; the
    // timer calls it. Returns false once the search is over.
    bool searchSome(long steps);
    void stopSearch();
    bool searching() const;
    // Writes the selected set's ticked answers into the puzzle and closes.
    void useAnswers();

    QLabel* lblStatus;
    QSpinBox* spnNewAnswers;  // answers to add after the last slot
    QListWidget* lstFills;    // one row per set found
    QListWidget* lstSlots;    // the selected set, one ticked row per slot
    QProgressBar* prgSearch;
    QCheckBox* chkDraftClues; // Use Answers drafts the new questions from the definitions
    QPushButton* cmdStop;
    QPushButton* cmdUse;
    QPushButton* cmdClose;

private:
    void listNewFills();
    void showFill(int row);
    void showStatus();
    void timerTick();

    Mainform& form_;
    const Dictionary& dictionary_;
    std::unique_ptr<FillLexicon> lexicon_;
    FillPlan plan_;
    std::unique_ptr<AnswerFiller> filler_;
    QTimer* timer_;
    QElapsedTimer searchClock_;
    bool stopped_ = false;
};

}  // namespace qbrx
