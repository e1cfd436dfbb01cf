#pragma once

#include <functional>
#include <string>

class QString;
class QWidget;
class TsiLangDispatcher;

namespace i18n
{

// The user chose name in the language selector: with the window's repainting suspended, the language's
// file is loaded when needed, the language set (English when setting it fails) and recaption called. The
// window repaints once afterwards, also when a step fails; the failure then reaches the caller.
void cboLangChange(QWidget* window, TsiLangDispatcher& dispatcher, const QString& name,
                   const std::string& programFolder, const std::function<void()>& recaption);

} // namespace i18n
