// Out-of-line destructors of the parsing abstractions, so that their virtual
// tables are emitted once, in the core library.
#include "vl3ParserBase.h"

TControlParser::~TControlParser() = default;
TParserIgnore::~TParserIgnore() = default;
TParsingEngine::~TParsingEngine() = default;
