#include "programs/zr4400-cli/link_setup.h"

#include "core/link/port_directory.h"
#include "core/link/serial_link.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"

int ExitFor(LinkOutcome outcome) {
    switch (outcome) {
    case LinkOutcome::Success:
        return ExitOk;
    case LinkOutcome::PortFailed:
        return ExitPortUnavailable;
    case LinkOutcome::Refused:
        return ExitRadioRefused;
    case LinkOutcome::VerifyFailed:
        return ExitDiffers;
    case LinkOutcome::VerifyUnfinished:
        return ExitVerifyUnfinished;
    default:
        return ExitLinkGaveUp;
    }
}

int PrepareLink(CliSession& s, SerialLink& link, const QString& port, const QString& tracePath) {
    const QString device = ResolvePortArgument(port, s.setup);
    link.setTraceFile(tracePath);
    if (link.traceProblem().known()) {
        PrintError(
            WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, link.traceProblem()));
        return ExitCannotCreate;
    }
    link.setSettings({device, PortArgumentName(port, device), s.settings.Handshaking,
                      s.settings.StopBit,
                      LineSettingProblem(s.settings, s.catalogue, s.setup.path())});
    return ExitOk;
}
