#pragma once

#include "engine/zvdconstants.h"

#include <QRectF>
#include <QString>

#include <iosfwd>
#include <memory>
#include <unordered_map>
#include <vector>

class QDomElement;
class ZVDEntity;
class VDObserver;

// A drawing made of entities with integer ids (VD ids). The drawing owns its entities.
class ZVectorDrawing
{
public:
    ZVectorDrawing();
    virtual ~ZVectorDrawing();
    ZVectorDrawing(const ZVectorDrawing&) = delete;
    ZVectorDrawing& operator=(const ZVectorDrawing&) = delete;

    // The entity with that id, or null.
    virtual ZVDEntity* find(int id);
    virtual void clear();
    // Replaces the content from the stream; on anything it cannot read it answers false, leaves
    // the drawing empty and lastError() reads "Invalid Stream Format".
    virtual bool loadFromStream(std::iostream* stream);
    virtual bool saveToStream(std::iostream* stream, EnVDSaveFormat format, bool flag);
    // Writes each entity as an element with its id and attributes under node.
    virtual void saveToXMLNode(QDomElement& node, bool flag);

    // Takes ownership; an entity whose id is already used replaces the earlier one.
    void add(ZVDEntity* entity);
    int count() const { return int(m_entities.size()); }
    ZVDEntity* at(int index) const { return m_entities[size_t(index)].get(); }
    // A free id above every id in use.
    int nextId() const;
    QRectF boundingRect() const;
    QString lastError() const { return m_lastError; }
    // Spacing of the drawing's own grid in drawing units (0: none); kept in the stream.
    double gridSpacing() const { return m_gridSpacing; }
    void setGridSpacing(double spacing);
    // Removes and deletes the entity with that id; false when there is none.
    bool remove(int id);
    // Observers are told (event 0) about every change made through this class; not owned.
    void addObserver(VDObserver* observer);
    void removeObserver(VDObserver* observer);
    // Tells the observers that entities changed (after a caller edited them in place).
    void notifyChanged(std::vector<ZVDEntity*> entities = {});

private:
    std::vector<std::unique_ptr<ZVDEntity>> m_entities;
    std::unordered_map<int, ZVDEntity*> m_index;
    QString m_lastError;
    double m_gridSpacing = 0;
    std::vector<VDObserver*> m_observers;
};
