#pragma once
// The context-help topics: their number, title and text, read from the
// topic source (resources/help/Topics.txt) that the program carries as a
// resource and from which the help file is built too.
#include <map>
#include <string>
#include <string_view>

struct HelpTopic {
    std::wstring Title;
    std::wstring Text; // paragraphs separated by "\r\n\r\n"
};

// Reads the topic source: "[number] title" starts a topic, the lines after
// it are its text (joined with blanks; a blank line starts a paragraph),
// lines starting with "#" are notes. A header whose number is not a
// positive whole number, and text before the first topic, are skipped; a
// number given twice keeps its first topic. Bytes outside ASCII read as
// "?".
std::map<long, HelpTopic> ParseHelpTopics(std::string_view source);
