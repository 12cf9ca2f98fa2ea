#include "windows/startup.h"

#include "game/frmtype.h"
#include "platform/application.h"

namespace tappon {

void startProgram(Application& app)
{
    frmtype& main = app.load<frmtype>();
    app.show(main, ShowMode::Modeless);
}

}  // namespace tappon
