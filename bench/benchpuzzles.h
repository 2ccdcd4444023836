// SPDX-License-Identifier: GPL-3.0-or-later
// The bench puzzles: public-domain quotations, each with its author and
// work as the crostic.
#pragma once

#include <iterator>

namespace {

struct Quotation {
    const char* text;
    const char* crostic;
};

const Quotation kPuzzles[] = {
    {"I went to the woods because I wished to live deliberately, to front only the essential facts of life, "
     "and see if I could not learn what it had to teach, and not, when I came to die, discover that I had "
     "not lived.",
     "HENRY DAVID THOREAU WALDEN"},
    {"Trust thyself: every heart vibrates to that iron string. Accept the place the divine providence has "
     "found for you, the society of your contemporaries, the connection of events.",
     "EMERSON SELF RELIANCE"},
    {"It was the best of times, it was the worst of times, it was the age of wisdom, it was the epoch of "
     "belief, it was the epoch of incredulity, it was the season of Light, it was the season of Darkness, it "
     "was the spring of hope, it was the winter of despair",
     "CHARLES DICKENS A TALE OF TWO CITIES THE PERIOD"},
    {"Four score and seven years ago our fathers brought forth on this continent, a new nation, conceived in "
     "Liberty, and dedicated to the proposition that all men are created equal.",
     "LINCOLN GETTYSBURG ADDRESS"},
    {"To be, or not to be, that is the question: Whether tis nobler in the mind to suffer the slings and "
     "arrows of outrageous fortune, or to take arms against a sea of troubles, and by opposing end them.",
     "WILLIAM SHAKESPEARE HAMLET"},
    {"Call me Ishmael. Some years ago, never mind how long precisely, having little or no money in my purse, "
     "and nothing particular to interest me on shore, I thought I would sail about a little and see the "
     "watery part of the world.",
     "HERMAN MELVILLE THE WHALE"},
    {"These are the times that try men's souls. The summer soldier and the sunshine patriot will, in this "
     "crisis, shrink from the service of their country; but he that stands by it now, deserves the love and "
     "thanks of man and woman.",
     "THOMAS PAINE THE AMERICAN CRISIS"},
    {"We hold these truths to be self-evident, that all men are created equal, that they are endowed by "
     "their Creator with certain unalienable Rights, that among these are Life, Liberty and the pursuit of "
     "Happiness.",
     "DECLARATION OF INDEPENDENCE"},
    {"Alice was beginning to get very tired of sitting by her sister on the bank, and of having nothing to "
     "do: once or twice she had peeped into the book her sister was reading, but it had no pictures or "
     "conversations in it",
     "ADVENTURES IN WONDERLAND"},
    {"The only way to get rid of a temptation is to yield to it. Resist it, and your soul grows sick with "
     "longing for the things it has forbidden to itself.",
     "OSCAR WILDE DORIAN GRAY"},
    {"I celebrate myself, and sing myself, And what I assume you shall assume, For every atom belonging to "
     "me as good belongs to you. I loafe and invite my soul, I lean and loafe at my ease observing a spear "
     "of summer grass.",
     "WHITMAN LEAVES OF GRASS SONG OF MYSELF"},
    {"Once upon a midnight dreary, while I pondered, weak and weary, Over many a quaint and curious volume "
     "of forgotten lore, While I nodded, nearly napping, suddenly there came a tapping, As of some one "
     "gently rapping at my chamber door.",
     "EDGAR ALLAN POE THE RAVEN"},
    {"With malice toward none, with charity for all, with firmness in the right as God gives us to see the "
     "right, let us strive on to finish the work we are in, to bind up the nation's wounds",
     "LINCOLN SECOND INAUGURAL"},
    {"Tomorrow, and tomorrow, and tomorrow, creeps in this petty pace from day to day, to the last syllable "
     "of recorded time; and all our yesterdays have lighted fools the way to dusty death. Out, out, brief "
     "candle!",
     "THE TRAGEDY OF MACBETH"},
    {"Friends, Romans, countrymen, lend me your ears; I come to bury Caesar, not to praise him. The evil "
     "that men do lives after them; the good is oft interred with their bones",
     "MARC ANTONY FUNERAL ORATION"},
    {"A thing of beauty is a joy for ever: Its loveliness increases; it will never Pass into nothingness; "
     "but still will keep A bower quiet for us, and a sleep Full of sweet dreams, and health, and quiet "
     "breathing.",
     "JOHN KEATS ENDYMION"},
    {"I will honour Christmas in my heart, and try to keep it all the year. I will live in the Past, the "
     "Present, and the Future. The Spirits of all Three shall strive within me.",
     "DICKENS THE SPIRITS"},
    {"Hope is the thing with feathers That perches in the soul, And sings the tune without the words, And "
     "never stops at all, And sweetest in the Gale is heard; And sore must be the storm That could abash the "
     "little Bird That kept so many warm",
     "EMILY DICKINSON HOPE IS THE THING"},
    {"Beware; for I am fearless, and therefore powerful. I was benevolent and good; misery made me a fiend. "
     "Make me happy, and I shall again be virtuous.",
     "SHELLEY FRANKENSTEIN"},
    {"No man, for any considerable period, can wear one face to himself and another to the multitude, "
     "without finally getting bewildered as to which may be the true.",
     "HAWTHORNE SCARLET LETTER"},
    {"It is not the critic who counts; not the man who points out how the strong man stumbles, or where the "
     "doer of deeds could have done them better. The credit belongs to the man who is actually in the arena",
     "ROOSEVELT MAN IN THE ARENA"},
    {"No man is an island, entire of itself; every man is a piece of the continent, a part of the main. If a "
     "clod be washed away by the sea, Europe is the less, as well as if a promontory were.",
     "DONNE DEVOTIONS MEDITATION"},
    {"Whose woods these are I think I know. His house is in the village though; He will not see me stopping "
     "here To watch his woods fill up with snow.",
     "FROST STOPPING WOODS"},
    {"Because I could not stop for Death, He kindly stopped for me; The Carriage held but just Ourselves and "
     "Immortality.",
     "DICKINSON DEATH"},
    {"It is a truth universally acknowledged, that a single man in possession of a good fortune, must be in "
     "want of a wife.",
     "AUSTEN FIRST LINE"},
    {"Happy families are all alike; every unhappy family is unhappy in its own way.", "KARENINA HAPPY"},
    {"The woods are lovely, dark and deep, But I have promises to keep, And miles to go before I sleep, And "
     "miles to go before I sleep.",
     "FROST SNOWY EVENING"},
    {"Two roads diverged in a wood, and I, I took the one less traveled by, And that has made all the "
     "difference.",
     "FROST ROAD NOT TAKEN"},
    {"Shall I compare thee to a summer's day? Thou art more lovely and more temperate: Rough winds do shake "
     "the darling buds of May, And summer's lease hath all too short a date",
     "SHAKESPEARE SONNET EIGHTEEN"},
    {"The quality of mercy is not strained; It droppeth as the gentle rain from heaven Upon the place "
     "beneath.",
     "PORTIA MERCHANT"},
    {"In Xanadu did Kubla Khan A stately pleasure-dome decree: Where Alph, the sacred river, ran Through "
     "caverns measureless to man Down to a sunless sea.",
     "COLERIDGE KUBLA KHAN"},
    {"We the People of the United States, in Order to form a more perfect Union, establish Justice, insure "
     "domestic Tranquility, provide for the common defence, promote the general Welfare, and secure the "
     "Blessings of Liberty to ourselves and our Posterity",
     "PREAMBLE TO THE CONSTITUTION OF THE UNITED STATES"},
};

}  // namespace
