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

std::string WhySettingsNotWritten(const Status& saved) {
    // The one failure that is no file's: the path itself does not fit the file's one line.
    return saved.Kind() == ErrorKind::Unsuitable
               ? "the folder's name holds a line break, which the file cannot hold"
               : saved.Message();
}

}  // namespace quillon
