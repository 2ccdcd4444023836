// Finishing puzzles: the time to the first set of answers that uses up
// exactly the letters left, on puzzles made from public-domain quotations
// with their authors and works as crostics, solved against the bundled word
// list with the dialog's defaults (answers of 3 to 12 letters). Every other
// puzzle has a third of its answers already written (taken from a fill found
// with another seed), as an author who has started would.
//
// BM_FirstFill/i times one puzzle with seed 1; BM_AllPuzzles runs every
// puzzle with five seeds and reports how many runs found an exact fill, the
// median and worst time to it, the share of familiar words and of base words
// in the first fills, and the unfit words among the first 20 fills.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "answerfill.h"
#include "dictionary.h"
#include "editor.h"
#include "fillsearch.h"
#include "puzzlefill.h"
#include "scriptedprompter.h"

namespace {

struct Quotation {
    const char* text;
    const char* crostic;
};

const Quotation kPuzzles[] = {
    {"I went to the woods because I wished to live deliberately, to front only the essential facts of life, and see if I could not learn what it had to teach, and not, when I came to die, discover that I had not lived.",
     "HENRY DAVID THOREAU WALDEN"},
    {"Trust thyself: every heart vibrates to that iron string. Accept the place the divine providence has found for you, the society of your contemporaries, the connection of events.",
     "EMERSON SELF RELIANCE"},
    {"It was the best of times, it was the worst of times, it was the age of wisdom, it was the epoch of belief, it was the epoch of incredulity, it was the season of Light, it was the season of Darkness, it was the spring of hope, it was the winter of despair",
     "CHARLES DICKENS A TALE OF TWO CITIES THE PERIOD"},
    {"Four score and seven years ago our fathers brought forth on this continent, a new nation, conceived in Liberty, and dedicated to the proposition that all men are created equal.",
     "LINCOLN GETTYSBURG ADDRESS"},
    {"To be, or not to be, that is the question: Whether tis nobler in the mind to suffer the slings and arrows of outrageous fortune, or to take arms against a sea of troubles, and by opposing end them.",
     "WILLIAM SHAKESPEARE HAMLET"},
    {"Call me Ishmael. Some years ago, never mind how long precisely, having little or no money in my purse, and nothing particular to interest me on shore, I thought I would sail about a little and see the watery part of the world.",
     "HERMAN MELVILLE THE WHALE"},
    {"These are the times that try men's souls. The summer soldier and the sunshine patriot will, in this crisis, shrink from the service of their country; but he that stands by it now, deserves the love and thanks of man and woman.",
     "THOMAS PAINE THE AMERICAN CRISIS"},
    {"We hold these truths to be self-evident, that all men are created equal, that they are endowed by their Creator with certain unalienable Rights, that among these are Life, Liberty and the pursuit of Happiness.",
     "DECLARATION OF INDEPENDENCE"},
    {"Alice was beginning to get very tired of sitting by her sister on the bank, and of having nothing to do: once or twice she had peeped into the book her sister was reading, but it had no pictures or conversations in it",
     "ADVENTURES IN WONDERLAND"},
    {"The only way to get rid of a temptation is to yield to it. Resist it, and your soul grows sick with longing for the things it has forbidden to itself.",
     "OSCAR WILDE DORIAN GRAY"},
    {"I celebrate myself, and sing myself, And what I assume you shall assume, For every atom belonging to me as good belongs to you. I loafe and invite my soul, I lean and loafe at my ease observing a spear of summer grass.",
     "WHITMAN LEAVES OF GRASS SONG OF MYSELF"},
    {"Once upon a midnight dreary, while I pondered, weak and weary, Over many a quaint and curious volume of forgotten lore, While I nodded, nearly napping, suddenly there came a tapping, As of some one gently rapping at my chamber door.",
     "EDGAR ALLAN POE THE RAVEN"},
    {"With malice toward none, with charity for all, with firmness in the right as God gives us to see the right, let us strive on to finish the work we are in, to bind up the nation's wounds",
     "LINCOLN SECOND INAUGURAL"},
    {"Tomorrow, and tomorrow, and tomorrow, creeps in this petty pace from day to day, to the last syllable of recorded time; and all our yesterdays have lighted fools the way to dusty death. Out, out, brief candle!",
     "THE TRAGEDY OF MACBETH"},
    {"Friends, Romans, countrymen, lend me your ears; I come to bury Caesar, not to praise him. The evil that men do lives after them; the good is oft interred with their bones",
     "MARC ANTONY FUNERAL ORATION"},
    {"A thing of beauty is a joy for ever: Its loveliness increases; it will never Pass into nothingness; but still will keep A bower quiet for us, and a sleep Full of sweet dreams, and health, and quiet breathing.",
     "JOHN KEATS ENDYMION"},
    {"I will honour Christmas in my heart, and try to keep it all the year. I will live in the Past, the Present, and the Future. The Spirits of all Three shall strive within me.",
     "DICKENS THE SPIRITS"},
    {"Hope is the thing with feathers That perches in the soul, And sings the tune without the words, And never stops at all, And sweetest in the Gale is heard; And sore must be the storm That could abash the little Bird That kept so many warm",
     "EMILY DICKINSON HOPE IS THE THING"},
    {"Beware; for I am fearless, and therefore powerful. I was benevolent and good; misery made me a fiend. Make me happy, and I shall again be virtuous.",
     "SHELLEY FRANKENSTEIN"},
    {"No man, for any considerable period, can wear one face to himself and another to the multitude, without finally getting bewildered as to which may be the true.",
     "HAWTHORNE SCARLET LETTER"},
    {"It is not the critic who counts; not the man who points out how the strong man stumbles, or where the doer of deeds could have done them better. The credit belongs to the man who is actually in the arena",
     "ROOSEVELT MAN IN THE ARENA"},
    {"No man is an island, entire of itself; every man is a piece of the continent, a part of the main. If a clod be washed away by the sea, Europe is the less, as well as if a promontory were.",
     "DONNE DEVOTIONS MEDITATION"},
    {"Whose woods these are I think I know. His house is in the village though; He will not see me stopping here To watch his woods fill up with snow.",
     "FROST STOPPING WOODS"},
    {"Because I could not stop for Death, He kindly stopped for me; The Carriage held but just Ourselves and Immortality.",
     "DICKINSON DEATH"},
    {"It is a truth universally acknowledged, that a single man in possession of a good fortune, must be in want of a wife.",
     "AUSTEN FIRST LINE"},
    {"Happy families are all alike; every unhappy family is unhappy in its own way.",
     "KARENINA HAPPY"},
    {"The woods are lovely, dark and deep, But I have promises to keep, And miles to go before I sleep, And miles to go before I sleep.",
     "FROST SNOWY EVENING"},
    {"Two roads diverged in a wood, and I, I took the one less traveled by, And that has made all the difference.",
     "FROST ROAD NOT TAKEN"},
    {"Shall I compare thee to a summer's day? Thou art more lovely and more temperate: Rough winds do shake the darling buds of May, And summer's lease hath all too short a date",
     "SHAKESPEARE SONNET EIGHTEEN"},
    {"The quality of mercy is not strained; It droppeth as the gentle rain from heaven Upon the place beneath.",
     "PORTIA MERCHANT"},
    {"In Xanadu did Kubla Khan A stately pleasure-dome decree: Where Alph, the sacred river, ran Through caverns measureless to man Down to a sunless sea.",
     "COLERIDGE KUBLA KHAN"},
    {"We the People of the United States, in Order to form a more perfect Union, establish Justice, insure domestic Tranquility, provide for the common defence, promote the general Welfare, and secure the Blessings of Liberty to ourselves and our Posterity",
     "PREAMBLE TO THE CONSTITUTION OF THE UNITED STATES"},
};
constexpr int kPuzzleCount = static_cast<int>(std::size(kPuzzles));

// CPU seconds after which a run counts as not filled.
constexpr double kTimeLimit = 20.0;
constexpr int kSeeds = 5;
// Fills looked at for unfit words.
constexpr std::size_t kFirstFills = 20;

const qbrx::Dictionary& dictionary() {
    static const qbrx::Dictionary dict = [] {
        qbrx::Dictionary d;
        qbrx::loadDictionary(d, QBRX_DATA_DIR);
        return d;
    }();
    return dict;
}

const qbrx::FillLexicon& lexicon() {
    static const qbrx::FillLexicon lex = qbrx::fillLexicon(dictionary());
    return lex;
}

// CPU time of this thread: the machine the bench runs on is shared, and wall
// time there says as much about the other programs as about this one.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What the first fill of a run was like.
struct FirstFill {
    bool exact = false;
    double seconds = 0, cpuSeconds = 0;
    int words = 0, familiar = 0, base = 0;
    int unfit = 0;  // unfit words among the first kFirstFills fills
};

FirstFill firstFill(const qbrx::FillRequest& request, bool lookAtMore) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadSeconds();
    qbrx::FillSearch search(lexicon(), request);
    while (!search.hasExactFill() && threadSeconds() - cpuStart < kTimeLimit && search.run(1000)) {
    }
    FirstFill result;
    result.seconds = since(start);
    result.cpuSeconds = threadSeconds() - cpuStart;
    if (!search.hasExactFill()) return result;
    result.exact = true;
    for (const std::string& w : search.fills().front().words) {
        const auto& e = lexicon().entries()[static_cast<std::size_t>(lexicon().find(w))];
        ++result.words;
        result.familiar += e.rank <= qbrx::kFamiliarRank ? 1 : 0;
        result.base += e.inflected ? 0 : 1;
    }
    if (!lookAtMore) return result;
    const auto more = std::chrono::steady_clock::now();
    while (search.fills().size() < kFirstFills && since(more) < 2.0 && search.run(1000)) {
    }
    for (std::size_t i = 0; i < search.fills().size() && i < kFirstFills; ++i)
        for (const std::string& w : search.fills()[i].words)
            result.unfit += dictionary().unfit(dictionary().find(w)) ? 1 : 0;
    return result;
}

qbrx::FillRequest benchRequest(const qbrx::FillPlan& plan, std::uint64_t seed) {
    return qbrx::fillRequest(plan, seed, qbrx::FillChoices{});
}

// The puzzle as an author leaves it after Setup: the crostic letters in the
// answer slots; for odd i, a third of the answers written.
struct Puzzle {
    qbrx::ScriptedPrompter prompter;
    qbrx::SeededRandom random{7};
    qbrx::Editor editor{prompter, random};
    qbrx::FillPlan plan;
};

std::unique_ptr<Puzzle> makePuzzle(int i) {
    auto p = std::make_unique<Puzzle>();
    qbrx::Editor& ed = p->editor;
    ed.startUp();
    ed.view.quoteBox = kPuzzles[i].text;
    ed.registerButton();
    p->prompter.inputs.push_back(std::string(kPuzzles[i].crostic));
    ed.setupCrostic();
    p->plan = qbrx::planFill(ed.doc, 0);
    if (i % 2 == 1) {
        qbrx::FillSearch search(lexicon(), benchRequest(p->plan, 1000 + i));
        const auto start = std::chrono::steady_clock::now();
        while (!search.hasExactFill() && since(start) < kTimeLimit && search.run(2000)) {
        }
        if (search.hasExactFill()) {
            std::vector<std::string> words = search.fills().front().words;
            for (std::size_t k = 0; k < words.size(); ++k)
                if (k % 3 != 0) words[k].clear();
            qbrx::acceptFill(ed, p->plan, words);
            p->plan = qbrx::planFill(ed.doc, 0);
        }
    }
    return p;
}

void BM_FirstFill(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    const std::unique_ptr<Puzzle> puzzle = makePuzzle(i);
    const qbrx::FillRequest request = benchRequest(puzzle->plan, 1);
    FirstFill first;
    for (auto _ : state) first = firstFill(request, false);
    state.SetLabel(kPuzzles[i].crostic);
    state.counters["answers"] = static_cast<double>(request.firstLetters.size());
    state.counters["exact"] = first.exact ? 1 : 0;
    state.counters["familiar_pct"] = first.words > 0 ? 100.0 * first.familiar / first.words : 0;
}

void BM_AllPuzzles(benchmark::State& state) {
    std::vector<std::unique_ptr<Puzzle>> puzzles;
    for (int i = 0; i < kPuzzleCount; ++i) puzzles.push_back(makePuzzle(i));
    int exact = 0, words = 0, familiar = 0, base = 0, unfit = 0;
    std::vector<double> seconds, cpuSeconds;
    std::string missed;
    for (auto _ : state) {
        for (int i = 0; i < kPuzzleCount; ++i)
            for (int seed = 1; seed <= kSeeds; ++seed) {
                const FirstFill first =
                    firstFill(benchRequest(puzzles[static_cast<std::size_t>(i)]->plan, static_cast<std::uint64_t>(seed)), seed == 1);
                seconds.push_back(first.seconds);
                cpuSeconds.push_back(first.cpuSeconds);
                if (!first.exact) missed += " " + std::to_string(i) + "/" + std::to_string(seed);
                exact += first.exact ? 1 : 0;
                words += first.words;
                familiar += first.familiar;
                base += first.base;
                unfit += first.unfit;
            }
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(cpuSeconds.begin(), cpuSeconds.end());
    state.SetLabel(missed.empty() ? "every run filled" : "not filled (puzzle/seed):" + missed);
    state.counters["cpu_median_s"] = cpuSeconds[cpuSeconds.size() / 2];
    state.counters["cpu_worst_s"] = cpuSeconds.back();
    state.counters["runs"] = static_cast<double>(seconds.size());
    state.counters["exact"] = exact;
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["worst_s"] = seconds.back();
    state.counters["familiar_pct"] = 100.0 * familiar / std::max(1, words);
    state.counters["base_pct"] = 100.0 * base / std::max(1, words);
    state.counters["unfit_in_first20"] = unfit;
}

}  // namespace

BENCHMARK(BM_FirstFill)->DenseRange(0, kPuzzleCount - 1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllPuzzles)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
