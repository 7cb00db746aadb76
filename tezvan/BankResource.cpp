// The library that carries the built-in bank as a Qt resource (":/tezvan/bank.tzb");
// linking it is all a program needs to do.
namespace tezvan_bank {
const char* builtInBankResource()
{
    return ":/tezvan/bank.tzb";
}
} // namespace tezvan_bank
