KESTRO placeholder graphics
channel folder: wizja
file: misc16.fsh
