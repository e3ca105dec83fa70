#pragma once
// Answers of a camera's web server for the scripted HTTP server: the picture
// stream's header and parts, challenges, and scripts built from them.

#include "camhttp/picture_source.h"
#include "support/scripted_http_server.h"

#include <string>

namespace vistrel::test {

inline const std::string kStreamHeader =
    "HTTP/1.1 200 OK\r\nContent-Type: multipart/x-mixed-replace; boundary=frame\r\n\r\n";

inline std::string streamPart(const std::string& body, const std::string& lengthText) {
    return "--frame\r\nContent-Type: image/jpeg\r\nContent-Length: " + lengthText + "\r\n\r\n" +
           body + "\r\n";
}

inline std::string streamPart(const std::string& body) {
    return streamPart(body, std::to_string(body.size()));
}

inline std::string unauthorized(const std::string& challengeLine) {
    return "HTTP/1.1 401 Unauthorized\r\n" + challengeLine + (challengeLine.empty() ? "" : "\r\n") +
           "Content-Length: 0\r\n\r\n";
}

inline const std::string kBasicChallenge = "WWW-Authenticate: Basic realm=\"Vistrel camera\"";
inline const std::string kDigestChallenge =
    "WWW-Authenticate: Digest realm=\"Vistrel camera\", nonce=\"5c0ffee5\", qop=\"auth\"";

// Reads one request and sends the answer; the connection closes when the script ends.
inline ScriptedHttpServer::Script answer(std::string bytes) {
    return [bytes](ScriptedPeer& peer) {
        if (peer.readRequest()) {
            peer.send(bytes);
        }
    };
}

// As answer(), then silent until the client goes away.
inline ScriptedHttpServer::Script answerAndWait(std::string bytes) {
    return [bytes](ScriptedPeer& peer) {
        if (peer.readRequest() && peer.send(bytes)) {
            peer.waitForClose();
        }
    };
}

inline StreamTarget targetOf(const ScriptedHttpServer& server, std::string password = "pw") {
    return {"127.0.0.1", server.port(), std::move(password)};
}

} // namespace vistrel::test
