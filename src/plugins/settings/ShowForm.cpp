// The library's entry point: the settings form for one use.
#include "device/PluginForm.h"
#include "device/PiroSignature.h"
#include "plugins/settings/PiroSetForm.h"

#include <QApplication>
#include <memory>

extern "C" CALORIVA_PLUGIN_EXPORT void ShowForm(QWidget* owner, QApplication* app,
                                                TCommPortDriver* port,
                                                const TPiroSignature* signature)
{
    // The host and this library share one Qt, hence one application object:
    // borrowing the host's and putting our own back again are both no-ops
    // here, and `app` is the application this form already runs in.
    Q_UNUSED(app);
    const TPiroSignature ownSignature = *signature;
    auto form = std::make_unique<TfrmPiroSet>(owner);
    form->FillForm(*port, ownSignature);
    if (!form->ReadFailed())
        form->exec();
}
