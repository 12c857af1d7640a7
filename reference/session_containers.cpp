#include "reference/session_containers.h"

#include <utility>
#include <vector>

namespace
{
struct SessionContainer
{
    int id;
    std::function<void()> create;
    std::function<void()> destroy;
};

std::vector<SessionContainer> &containers()
{
    static std::vector<SessionContainer> list;
    return list;
}

} // namespace

int RegisterSessionContainer(std::function<void()> create, std::function<void()> destroy)
{
    static int lastId = 0;
    containers().push_back({++lastId, std::move(create), std::move(destroy)});
    return lastId;
}

void UnregisterSessionContainer(int id)
{
    std::erase_if(containers(), [id](const SessionContainer &c) { return c.id == id; });
}

void proc_CreateStruct()
{
    for (const auto &c : containers()) {
        if (c.create)
            c.create();
    }
}

void proc_DestroyStruct()
{
    for (auto it = containers().rbegin(); it != containers().rend(); ++it) {
        if (it->destroy)
            it->destroy();
    }
}
