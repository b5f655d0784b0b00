#include "app/Messages.h"

#include "platform/PathText.h"

namespace quillon {

std::string DriveAnswerProblem(const DriveAnswer& answer) {
    const std::string letter(1, answer.letter);
    switch (answer.refusal) {
        case DriveRefusal::None:
            break;
        case DriveRefusal::NothingEntered:
            return "Nothing was entered.";
        case DriveRefusal::LongerThanAnyPath:
            return "The answer is longer than any folder's path.";
        case DriveRefusal::NoSuchFolder:
            return "There is no folder \"" + PathForMessage(answer.named) + "\".";
        case DriveRefusal::NeitherDriveNorFolder:
            return "\"" + PathForMessage(answer.named) +
                   "\" is neither a drive letter nor a folder.";
        case DriveRefusal::NoSuchDrive:
            return "There is no drive " + letter + ".";
        case DriveRefusal::NoSuchWineDrive:
            return "Wine has no drive " + letter + " in \"" + PathForMessage(answer.named) + "\".";
    }
    return {};
}

namespace {

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

std::string WhySettingsNotWritten(const Status& saved) {
    // The one failure that is no file's: the path itself does not fit the file's one line.
    return saved.Kind() == ErrorKind::Unsuitable
               ? "the folder's name holds a line break, which the file cannot hold"
               : saved.Message();
}

}  // namespace quillon
