#pragma once
// CallRoutine: call a routine the application handed over, if it handed one.
// The routine's own type says which arguments it takes.
#include <type_traits>

namespace stage {

template <class R, class... Params, class... Args>
R CallRoutine(R (*routine)(Params...), Args&&... args) {
    if (!routine) {
        if constexpr (std::is_void_v<R>) return;
        else return R{};
    }
    return routine(static_cast<Args&&>(args)...);
}

}  // namespace stage
