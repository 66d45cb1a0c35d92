#include "WinCE/RegistryTransaction.h"

#include "WinCE/Assert.h"
#include "WinCE/RegistryStore.h"

RegistryTransaction::RegistryTransaction() : RegistryTransaction(RegistryStore::Default())
{
}

RegistryTransaction::RegistryTransaction(RegistryStore& store) : _store(store), _depth(0), _active(false)
{
    _active = _store.Begin();
    FATAL(!_active, ("Couldn't start writing to the preference store '" + _store.GetPath() +
                     "': " + _store.LastError())
                        .c_str());
    _depth = _store.TransactionDepth();
}

RegistryTransaction::~RegistryTransaction()
{
    if (_active)
        Rollback();
}

bool RegistryTransaction::Commit()
{
    ASSERT(_active && "the transaction was already ended");
    ASSERT(_store.TransactionDepth() == _depth && "transactions must end in reverse order");
    _active = false;
    return _store.Commit();
}

void RegistryTransaction::Rollback()
{
    ASSERT(_active && "the transaction was already ended");
    ASSERT(_store.TransactionDepth() == _depth && "transactions must end in reverse order");
    _active = false;
    _store.Rollback();
}
