program Greenhouse;

{ A small greenhouse: two beds of plants grow through a season, are watered
  and report. Corvane's sample project: register this file, let Corvane find
  its units along the uses clauses, then secure them. Secured units use the
  unit Lumbrick, which holds the global VIX and its Push method: Corvane does
  not ship it, provide your own to compile them (see the help page
  ql_implementation.htm). It builds with fpc -Mdelphi as well. }

{$APPTYPE CONSOLE}

uses
  SysUtils,
  Journal,
  Plants,
  Beds;

{ The gardener types how many litres to give; a typing error or a tank too
  small is noted and the day goes on. }
procedure GiveWater(Bed: TBed; const Typed: string);
begin
  try
    Bed.Water(ReadCount(Typed));
  except
    on E: Exception do
      Note('refused: ' + E.ClassName + ': ' + E.Message);
  end;
end;

procedure ShowTallest(Bed: TBed);
begin
  try
    Note('tallest in ' + Bed.Name + ': ' + Bed.Tallest.Name);
  except
    on E: Exception do
      Note('refused: ' + E.ClassName + ': ' + E.Message);
  end;
end;

var
  North, South, Nursery: TBed;
begin
  North := TBed.Create('North', 12);
  South := TBed.Create('South', 6);
  Nursery := TBed.Create('Nursery', 2);
  try
    North.Plant(TFern.Create('Fern', 30));
    North.Plant(TPlant.Create('Basil', 10));
    South.Plant(TCactus.Create('Aloe', 15));
    South.Plant(TPlant.Create('Thyme', 8));
    North.Season(79, 92);
    South.Season(172, 63);
    North.Report;
    South.Report;
    GiveWater(North, ' 5 ');
    GiveWater(South, '3');
    GiveWater(South, '9');
    GiveWater(North, 'twelve');
    GiveWater(North, '-1');
    ShowTallest(North);
    ShowTallest(Nursery);
    Note(Format('%d plants, %d cm in all', [North.Count + South.Count, North.TotalHeight + South.TotalHeight]));
  finally
    Nursery.Free;
    South.Free;
    North.Free;
  end;
end.
