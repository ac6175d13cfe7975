// Every text kestrigo-calc prints besides its results, kept in one place.
#pragma once

namespace kcalc::Texts {

inline constexpr const char* Usage =
    "usage: kestrigo-calc [--decimal-separator C] [--rows A:B] [--format json|csv|tsv] [--units kmh|mph]\n"
    "                     MAXK PBLOW PBHIGH PRIMARY DRIVE DRIVEN TIRE G1 G2 G3 G4 G5 G6\n"
    "       kestrigo-calc compare [--units kmh|mph] [--cruise SPEED] <13 inputs of A> -- <13 inputs of B>\n"
    "       kestrigo-calc sprockets [--front A:B] [--rear A:B] [--gear N] (--top-speed S | --change PCT)\n"
    "                     [--count K] [--units kmh|mph] [--pitch MM --centre MM] <13 inputs>\n"
    "       kestrigo-calc -h | --help | --version\n"
    "  --memory TITLE may stand in place of any 13 inputs\n";

inline constexpr const char* Help =
    "\n"
    "The 13 inputs are those of the window's input table, in its order: MAXK, PBLOW and PBHIGH in\n"
    "thousands of rpm (integers), the primary ratio, the drive and driven sprockets, the tyre diameter in\n"
    "mm and the six gear ratios (0 = no such gear). Every form also takes --decimal-separator C, the\n"
    "decimal separator of the inputs and the table (one ASCII character; default: the locale's).\n"
    "Numbers given to options always use a full stop. Options may stand anywhere, also before the\n"
    "form's name, as --name VALUE or --name=VALUE.\n"
    "\n"
    "--memory TITLE in place of the 13 inputs takes the setup the window stored under TITLE in its setting\n"
    "memory, memory.json in $XDG_DATA_HOME/kestrigo/ (else ~/.local/share/kestrigo/), which is only\n"
    "read: kestrigo-calc compare --memory stock -- --memory \"16T front\"\n"
    "\n"
    "Default form: the speed table, chart lines and power band.\n"
    "  --rows A:B             table rows A to B-1 (default: all rows up to 10000, else 0:100)\n"
    "  --format json|csv|tsv  json (default) or the table alone; csv separates fields with ';' when\n"
    "                         the decimal separator is ','\n"
    "  --units kmh|mph        speeds in km/h (default) or mph\n"
    "  example: kestrigo-calc --format csv 10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0\n"
    "\n"
    "compare: overall ratio, top speed at MAXK and rpm at a cruising speed per gear for setups A and B,\n"
    "and the change of top speed from A to B.\n"
    "  --cruise SPEED         cruising speed in the chosen unit (default 100)\n"
    "  example: kestrigo-calc compare 10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0 -- \\\n"
    "           10 6 8 3 16 45 600 2.5 1.8 1.4 1.15 1 0\n"
    "\n"
    "sprockets: the front x rear pairs whose top speed at MAXK in gear N comes closest to a target.\n"
    "  --front A:B, --rear A:B  tooth ranges, inclusive, 1 to 500 (default 12:20 and 36:54)\n"
    "  --gear N               1 to 6 (default: the highest non-zero gear)\n"
    "  --top-speed S          target top speed in the chosen unit, or\n"
    "  --change PCT           target change of top speed against the current sprockets, in %\n"
    "  --count K              how many pairs to print (default 10)\n"
    "  --pitch MM --centre MM chain pitch and sprocket centre distance: adds the chain length in links\n"
    "  example: kestrigo-calc sprockets --change 5 --pitch 15.875 --centre 600 \\\n"
    "           10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0\n";

inline constexpr const char* Program = "kestrigo-calc";
inline constexpr const char* ErrorPrefix = "kestrigo-calc: ";

// Usage errors; each is followed by the offending text where there is one.
inline constexpr const char* UnknownOption = "unknown option ";
inline constexpr const char* MissingValue = "missing value for ";
inline constexpr const char* BadValue = "bad value for ";
inline constexpr const char* InputCount = "expected 13 inputs, got ";
inline constexpr const char* StrayDashes = "\"--\" only separates the two setups of compare";
inline constexpr const char* CompareGroups = "compare expects 13 inputs, \"--\", and 13 inputs";
inline constexpr const char* SprocketTarget = "sprockets needs exactly one of --top-speed and --change";
inline constexpr const char* ChainNeedsBoth = "--pitch and --centre go together";

// What a bad option value should have been.
inline constexpr const char* Expects = " (expects ";
inline constexpr const char* TooLargeExpects = " (number too large; expects ";
inline constexpr const char* ExpectSeparator =
    "one ASCII character; no digit, sign, e, E, blank, control character or double quote";
inline constexpr const char* ExpectRows = "A:B with 0 <= A <= B";
inline constexpr const char* ExpectFormat = "json, csv or tsv";
inline constexpr const char* ExpectUnits = "kmh or mph";
inline constexpr const char* ExpectPositive = "a number above 0, with a full stop";
inline constexpr const char* ExpectChange = "a number above -100, with a full stop";
inline constexpr const char* ExpectTeeth = "A:B with 1 <= A <= B <= 500";
inline constexpr const char* ExpectGear = "a gear from 1 to 6";
inline constexpr const char* ExpectCount = "a whole number from 1";

// Input errors (exit status 1); the field name follows.
inline constexpr const char* SetupPrefix = "setup ";
inline constexpr const char* NotANumber = "not a valid number: ";
inline constexpr const char* WholeThousands =
    " (MAXK, PBLOW and PBHIGH are whole numbers of thousands of rpm)";
inline constexpr const char* NumberTooLarge = " (number too large)";
inline constexpr const char* ZeroDriveTrain = "must not be 0: ";
inline constexpr const char* GearIsZero = "the chosen gear is 0: ";
inline constexpr const char* NoGear = "every gear is 0";
inline constexpr const char* UnknownMemoryTitle = "no setting memory entry titled \"";
inline constexpr const char* InMemoryFile = "\" in ";
inline constexpr const char* MemoryEntry = "setting memory entry \"";
inline constexpr const char* DamagedMemory = "the setting memory file cannot be read: ";
inline constexpr const char* ChangeNeedsSpeed =
    "--change needs a current top speed that is a number other than 0; give --top-speed";

// The output failed (exit status 1).
inline constexpr const char* CannotWrite = "cannot write the output";

}  // namespace kcalc::Texts
