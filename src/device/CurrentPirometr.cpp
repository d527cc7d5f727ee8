// The program-wide state of the device model: the current model, the
// disconnect hook and the command function behind the command wrapper.
#include "device/CurrentPirometr.h"

#include "device/Pirometr.h"
#include "vendrix/Vendrix.h"

#include <utility>

namespace {
std::unique_ptr<TPirometr>& Current()
{
    static std::unique_ptr<TPirometr> current;
    return current;
}

std::function<void()>& DisconnectHandler()
{
    static std::function<void()> handler;
    return handler;
}

TPirCommand& CommandFunction()
{
    static TPirCommand command;
    return command;
}
}  // namespace

TPirometr* Pirometr() { return Current().get(); }

void SetPirometr(std::unique_ptr<TPirometr> model)
{
    // The old model is freed only once it is no longer current, so that
    // whatever its destruction triggers never finds it through Pirometr().
    std::unique_ptr<TPirometr> old = std::exchange(Current(), std::move(model));
    old.reset();
}

void SetDisconnectHandler(std::function<void()> handler) { DisconnectHandler() = std::move(handler); }

void SetPirCommand(TPirCommand command) { CommandFunction() = std::move(command); }

int RunPirCommand(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity, int& DataLength)
{
    // A copy, so that a command function that replaces itself while it runs
    // is not destroyed under its own feet.
    const TPirCommand command = CommandFunction();
    if (command)
        return command(Port, Code, Data, Capacity, DataLength);
    return Command(Port, Code, Data, Capacity, DataLength);
}

void RunDisconnectHandler()
{
    const std::function<void()> handler = DisconnectHandler();
    if (handler)
        handler();
}
