#pragma once

#include <memory>

// Base of the components that wrap a speech engine. While its stored properties are
// being restored (Loading), engine failures are ignored.
class TSpeechComponent
{
public:
    virtual ~TSpeechComponent() = default;
    // The engine behind the component, or nullptr when there is none.
    virtual std::shared_ptr<void> EngineUnknown() const = 0;

    bool Loading() const { return m_Loading; }
    void SetLoading(bool loading) { m_Loading = loading; }
    // Called once the stored properties have been applied.
    virtual void Loaded() { m_Loading = false; }

private:
    bool m_Loading = false;
};
