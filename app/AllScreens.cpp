#include "app/AllScreens.h"

#include "exercises/Form3.h"
#include "exercises/Form6.h"
#include "exercises/Form7.h"
#include "exercises/Form8.h"
#include "shell/Form1.h"

namespace sostav {

namespace {

template <typename T> std::unique_ptr<Screen> make()
{
    return std::make_unique<T>();
}

} // namespace

ScreenRegistry::Factories allScreens()
{
    ScreenRegistry::Factories factories {};
    factories[std::size_t(ScreenKind::Form1)] = make<Form1>;
    factories[std::size_t(ScreenKind::Form3)] = make<Form3>;
    factories[std::size_t(ScreenKind::Form6)] = make<Form6>;
    factories[std::size_t(ScreenKind::Form7)] = make<Form7>;
    factories[std::size_t(ScreenKind::Form8)] = make<Form8>;
    return factories;
}

} // namespace sostav
