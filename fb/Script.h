#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fb {

class Attachment;

// The statements of an SQL script, without their terminators. Understands
// "--" and "/* */" comments, quoted texts and names, and "SET TERM x ;" to
// change the terminator around procedure bodies. The last statement may
// omit its terminator.
std::vector<std::string> splitScript(std::string_view script);

// Runs every statement of `script`, each committed before the next ("COMMIT"
// statements are accepted and do nothing more).
void runScript(Attachment& attachment, std::string_view script);

}  // namespace fb
