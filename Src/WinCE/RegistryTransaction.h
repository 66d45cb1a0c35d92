// A scope in which writes to the preference store land together or not at
// all. Saving the game opens one around every piece it writes and the tail
// it clears: if the process dies before Commit, the store still holds the
// previous save, whole. Leaving the scope without Commit rolls back.
//
// Scopes nest (inner ones are savepoints) and must end in reverse order.
// Registry values write back when they are released, so the keys used inside
// the scope must be closed before Commit for their writes to be included.
#pragma once

class RegistryStore;

class RegistryTransaction
{
public:
    // Uses the process's default store.
    RegistryTransaction();
    explicit RegistryTransaction(RegistryStore& store);
    ~RegistryTransaction();
    RegistryTransaction(const RegistryTransaction&) = delete;
    RegistryTransaction& operator=(const RegistryTransaction&) = delete;

    // True when the writes were stored; false when they were rolled back
    // (the store could not write them; the reason is in the debug output).
    bool Commit();
    // Drops every write made in the scope.
    void Rollback();

    bool IsActive() const { return _active; }

private:
    RegistryStore& _store;
    int _depth;
    bool _active;
};
