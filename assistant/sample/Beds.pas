unit Beds;

{ A bed of the greenhouse: a few plants and a water tank. Giving more water
  than the tank holds is refused. }

interface

uses
  SysUtils, Plants;

type
  EBedFlooded = class(Exception);

  TBed = class
  private
    FName: string;
    FTank: Integer;
    FPlants: array of TPlant;
  public
    constructor Create(const AName: string; ATank: Integer);
    destructor Destroy; override;
    procedure Plant(APlant: TPlant);
    procedure Season(FromDay, Days: Integer);
    procedure Water(Litres: Integer);
    function Count: Integer;
    function TotalHeight: Integer;
    function Tallest: TPlant;
    procedure Report;
    property Name: string read FName;
  end;

implementation

uses
  Classes, Seasons, Journal;

constructor TBed.Create(const AName: string; ATank: Integer);
begin
  inherited Create;
  FName := AName;
  FTank := ATank;
end;

destructor TBed.Destroy;
var
  I: Integer;
begin
  for I := 0 to High(FPlants) do
    FPlants[I].Free;
  inherited Destroy;
end;

procedure TBed.Plant(APlant: TPlant);
begin
  SetLength(FPlants, Length(FPlants) + 1);
  FPlants[High(FPlants)] := APlant;
end;

procedure TBed.Season(FromDay, Days: Integer);
var
  I: Integer;
begin
  Note(Format('%s grows through %d days of %s', [FName, Days, SeasonName(SeasonOf(FromDay))]));
  for I := 0 to High(FPlants) do
    FPlants[I].Grow(FromDay, Days);
end;

procedure TBed.Water(Litres: Integer);
var
  Need, I: Integer;
begin
  if Litres > FTank then
    raise EBedFlooded.CreateFmt('the %s tank holds %d l, not %d', [FName, FTank, Litres]);
  Need := 0;
  for I := 0 to High(FPlants) do
    Need := Need + FPlants[I].Water;
  if Litres < Need then
    Note(Format('%s: %d l given, %d l needed', [FName, Litres, Need]))
  else
    Note(Format('%s: %d l given, enough', [FName, Litres]));
end;

function TBed.Count: Integer;
begin
  Result := Length(FPlants);
end;

function TBed.TotalHeight: Integer;

  function HeightOf(Index: Integer): Integer;
  begin
    Result := FPlants[Index].Height;
  end;

var
  I: Integer;
begin
  Result := 0;
  for I := 0 to High(FPlants) do
    Result := Result + HeightOf(I);
end;

function TBed.Tallest: TPlant;
var
  I: Integer;
begin
  if Count = 0 then
    raise EBedFlooded.CreateFmt('the %s bed has no plant yet', [FName]);
  Result := FPlants[0];
  for I := 1 to High(FPlants) do
    if FPlants[I].Height > Result.Height then
      Result := FPlants[I];
end;

{ The plants in the order of their names. }
procedure TBed.Report;
var
  Lines: TStringList;
  I: Integer;
begin
  Lines := TStringList.Create;
  try
    for I := 0 to High(FPlants) do
      Lines.Add(FPlants[I].Describe);
    Lines.Sort;
    Note(Format('%s: %d plants, %d cm in all', [FName, Count, TotalHeight]));
    for I := 0 to Lines.Count - 1 do
      Note('  ' + Lines[I]);
  finally
    Lines.Free;
  end;
end;

end.
