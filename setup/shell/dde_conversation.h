// The client side of the DDE management library: one client instance per
// process, and conversations on it. Every transaction waits at most 60 s.
#pragma once

#include <windows.h>
#include <ddeml.h>

#include <string>

class DdeClient {
 public:
  DdeClient() = default;
  virtual ~DdeClient();
  DdeClient(const DdeClient&) = delete;
  DdeClient& operator=(const DdeClient&) = delete;

  // flags as DdeInitialize takes them (APPCMD_CLIENTONLY for the engine).
  // True on success; the instance becomes the process's one.
  bool Initialize(DWORD flags);
  void Uninitialize();
  DWORD Instance() const { return instance_; }

  // What the library tells the instance. The engine's client has nothing to
  // say to the notifications a client-only instance can still get (a server
  // registering or leaving, a conversation the server ended): 0.
  virtual HDDEDATA Notify(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ item,
                          HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);

 private:
  static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ item,
                                    HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);
  DWORD instance_ = 0;
};

class DdeConversation {
 public:
  static constexpr DWORD kTimeoutMs = 60000;

  explicit DdeConversation(DdeClient& client) : client_(client) {}
  // Still connected: the developer's check "disconnect() must be called
  // before destruction" in a plain message box; nothing is disconnected.
  ~DdeConversation();
  DdeConversation(const DdeConversation&) = delete;
  DdeConversation& operator=(const DdeConversation&) = delete;

  bool Connect(const char* service, const char* topic);
  bool ConnectProgramManager() { return Connect("PROGMAN", "PROGMAN"); }
  // Also frees the service and topic string handles.
  void Disconnect();
  bool Connected() const { return conversation_ != nullptr; }

  // True only when the server took the command (the transaction answers 1).
  bool Execute(const char* command);
  // The server's data for item (the caller frees it), or null.
  HDDEDATA Request(const char* item, UINT format);
  // The text the server answers for item; false when it answers nothing.
  bool RequestText(const char* item, std::string& text);

 private:
  DdeClient& client_;
  HSZ service_ = nullptr;
  HSZ topic_ = nullptr;
  HCONV conversation_ = nullptr;
};
