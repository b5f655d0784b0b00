#include "app/Messages.h"

#include "platform/PathText.h"

namespace quillon {
namespace {

std::string SizeInWords(uint64_t bytes) {
    constexpr uint64_t kMebibyte = 1024 * 1024;
    return bytes >= kMebibyte && bytes % kMebibyte == 0 ? std::to_string(bytes / kMebibyte) + " MiB"
                                                        : std::to_string(bytes) + " bytes";
}

std::string MessageTextReason(const MessageTextProblem& problem) {
    switch (problem.fault) {
        case MessageTextFault::TooLong:
            return "it is " + std::to_string(problem.length) +
                   " characters long, and the other players see at most " +
                   std::to_string(kLongestMessageText);
        case MessageTextFault::SingleCharacter:
            return "it is a single character; ET: Legacy shows none shorter than two";
        case MessageTextFault::DoubleQuote:
            return "it holds a double quote (\"), which ends the slot's value";
        case MessageTextFault::Semicolon:
            return "it holds a semicolon (;), which ends the command there";
        case MessageTextFault::Comment:
            return "it holds // or /*, after which the console skips the rest";
        case MessageTextFault::PercentSign:
            return "it holds a percent sign (%), which the game shows as a full stop";
        case MessageTextFault::ControlCharacter:
            return "it holds a control character (a tab, a line break), which the console takes "
                   "for a blank or the end of the command";
        case MessageTextFault::BlanksInARow:
            return "it holds blanks in a row, which the game shows as one";
        case MessageTextFault::LettersOutsideAscii:
            return "it holds letters other than plain ASCII (" + problem.letters +
                   "), which ET: Legacy's console does not pass on as written";
    }
    return {};
}

}  // namespace

std::string MessageTextReasons(const std::vector<MessageTextProblem>& problems) {
    std::string reasons;
    for (const MessageTextProblem& problem : problems) {
        reasons += "\n- " + MessageTextReason(problem);
    }
    return reasons;
}

std::string Counted(size_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string WhyFailed(const Status& failed) {
    switch (failed.What()) {
        case Finding::None:
            break;
        case Finding::Folder:
            return "it is a folder";
        case Finding::NotRegularFile:
            return "it is not a regular file";
        case Finding::LargerThanLimit:
            return "it is larger than " + SizeInWords(failed.Limit());
        case Finding::LinkToNoFile:
            return "it is a link that leads to no file Quillon can replace";
        case Finding::NoNewFileBeside:
            return "no new file could be made beside it (" + WhyFailed(failed.Cause()) + ")";
        case Finding::DiskTookNoMore:
            return "the disk took no more of it";
        case Finding::NotReadBack:
            return "it could not be read back (" + WhyFailed(failed.Cause()) + ")";
        case Finding::ReplacedMeanwhile:
            return "another program replaced it at the same moment";
    }
    return failed.Message();
}

std::string WhySettingsNotWritten(const Status& saved) {
    // The one failure that is no file's: the path itself does not fit the file's one line.
    return saved.Kind() == ErrorKind::Unsuitable
               ? "the folder's name holds a line break, which the file cannot hold"
               : WhyFailed(saved);
}

}  // namespace quillon
