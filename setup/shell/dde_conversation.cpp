#include "shell/dde_conversation.h"

namespace {

// The process's one client instance, which the library's callback reaches.
DdeClient* g_client = nullptr;

}  // namespace

DdeClient::~DdeClient() { Uninitialize(); }

bool DdeClient::Initialize(DWORD flags) {
  if (instance_) return true;
  DWORD instance = 0;
  if (DdeInitializeA(&instance, Callback, flags, 0) != DMLERR_NO_ERROR) return false;
  instance_ = instance;
  g_client = this;
  return true;
}

void DdeClient::Uninitialize() {
  if (!instance_) return;
  DdeUninitialize(instance_);
  instance_ = 0;
  if (g_client == this) g_client = nullptr;
}

HDDEDATA DdeClient::Notify(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

HDDEDATA CALLBACK DdeClient::Callback(UINT type, UINT format, HCONV conversation, HSZ topic,
                                      HSZ item, HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2) {
  if (!g_client) return nullptr;
  return g_client->Notify(type, format, conversation, topic, item, data, data1, data2);
}

DdeConversation::~DdeConversation() {
  if (conversation_)
    MessageBoxA(nullptr, "disconnect() must be called before destruction", nullptr, MB_OK);
}

bool DdeConversation::Connect(const char* service, const char* topic) {
  const DWORD instance = client_.Instance();
  if (!instance || conversation_) return false;
  service_ = DdeCreateStringHandleA(instance, service, CP_WINANSI);
  topic_ = DdeCreateStringHandleA(instance, topic, CP_WINANSI);
  if (service_ && topic_) conversation_ = DdeConnect(instance, service_, topic_, nullptr);
  if (conversation_) return true;
  Disconnect();
  return false;
}

void DdeConversation::Disconnect() {
  const DWORD instance = client_.Instance();
  if (conversation_) DdeDisconnect(conversation_);
  conversation_ = nullptr;
  if (service_ && instance) DdeFreeStringHandle(instance, service_);
  if (topic_ && instance) DdeFreeStringHandle(instance, topic_);
  service_ = topic_ = nullptr;
}

bool DdeConversation::Execute(const char* command) {
  if (!conversation_ || !command) return false;
  const DWORD size = static_cast<DWORD>(lstrlenA(command)) + 1;
  HDDEDATA data =
      DdeCreateDataHandle(client_.Instance(), reinterpret_cast<LPBYTE>(const_cast<char*>(command)),
                          size, 0, nullptr, CF_TEXT, 0);
  if (!data) return false;
  // The transaction takes the data handle over.
  HDDEDATA result = DdeClientTransaction(reinterpret_cast<LPBYTE>(data), 0xFFFFFFFF, conversation_,
                                         nullptr, CF_TEXT, XTYP_EXECUTE, kTimeoutMs, nullptr);
  return result == reinterpret_cast<HDDEDATA>(1);
}

HDDEDATA DdeConversation::Request(const char* item, UINT format) {
  if (!conversation_) return nullptr;
  HSZ name = DdeCreateStringHandleA(client_.Instance(), item, CP_WINANSI);
  if (!name) return nullptr;
  HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation_, name, format, XTYP_REQUEST,
                                       kTimeoutMs, nullptr);
  DdeFreeStringHandle(client_.Instance(), name);
  return data;
}

bool DdeConversation::RequestText(const char* item, std::string& text) {
  text.clear();
  HDDEDATA data = Request(item, CF_TEXT);
  if (!data) return false;
  DWORD size = 0;
  const char* bytes = reinterpret_cast<const char*>(DdeAccessData(data, &size));
  if (bytes) {
    DWORD length = 0;
    while (length < size && bytes[length]) ++length;  // the text ends at its NUL
    text.assign(bytes, length);
    DdeUnaccessData(data);
  }
  DdeFreeDataHandle(data);
  return bytes != nullptr;
}
